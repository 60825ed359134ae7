#pragma once
// The program's two actions, run by the click routines of the two drawn buttons (and named as
// the "clicked" handlers of the hidden form buttons "按钮1" and "按钮2").

// Deletes the cache directory tree, then tells the user how it went (task-modal box).
void OnClearClicked();

// Re-creates the cache directory (last level only, empty) and closes the main window.
void OnExitClicked();
