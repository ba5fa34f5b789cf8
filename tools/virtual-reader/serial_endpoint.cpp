#include "serial_endpoint.h"
// Placeholder until the endpoint is built.
