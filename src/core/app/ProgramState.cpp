#include "core/app/ProgramState.h"
