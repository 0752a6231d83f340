#pragma once
// Creates the program's seven windows, hidden, in their fixed order, and
// destroys them again at the end.
void CreateWindows();
// The program's start: the windows created and the main window shown.
void StartProgram();
void DestroyWindows();
