#include "text/keycode.h"
