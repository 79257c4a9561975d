#pragma once
// The home folder of the account running the program.

#include "Models/Basics.h"

// From the user database (pw_dir), else /home/<login>.
Path accountHomeFolder();
