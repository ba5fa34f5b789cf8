#include "reader_model.h"
// Placeholder until the model is built.
