#pragma once
// Resource identifiers shared by the resource script and the program.
#define IDC_APP_CURSOR 101
