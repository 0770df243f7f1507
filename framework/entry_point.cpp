#include "framework/cwinapp.h"

// A program's main: the framework's entry point runs the global application object.
int main(int argc, char* argv[])
{
    return AfxWinMain(argc, argv);
}
