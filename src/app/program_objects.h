#pragma once
// The program-wide objects: built before the main window exists, released once at the end.

// Builds the skin, then the clear button, then the exit button.
void CreateProgramObjects();

// Releases the skin (detaching it from the window first), then the two buttons.
void DestroyProgramObjects();

// Re-renders the window through the skin and copies it to the screen.
void RefreshSkin();
