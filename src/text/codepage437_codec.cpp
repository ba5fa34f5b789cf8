#include "text/codepage437_codec.h"
