#include "text/name_tables.h"

const QStringList ControlNames;
const QStringList CountryNames;
