// The entry lives in the forms' library, so that a test can run it.
#include "Dunmere.h"

int main(int argc, char** argv)
{
    return dunmere_main(argc, argv);
}
