#pragma once
// Creates the program's seven windows, hidden, in their fixed order, and
// destroys them again at the end.
void CreateWindows();
void DestroyWindows();
