// The two window procedures are the editor's user interface and live with it
// in sources/ui (maindialog.cpp, viewinput.cpp); the frame only names them.

#include "dialogprocs.h"
