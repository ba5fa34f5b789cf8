#include "text/locale_codec.h"
