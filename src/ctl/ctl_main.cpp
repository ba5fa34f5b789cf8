#include "ctl/ctl.h"

int main(int argc, char *argv[])
{
    return Ctl::processMain(argc, argv);
}
