// Built with the program's flags and never shipped. The program makes no call that
// _FORTIFY_SOURCE can check, so its binary cannot show whether the flag reached the compiler;
// this one makes such calls, and scripts/check-hardening finds their checked variants in it.

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    char line[32];
    std::snprintf(line, sizeof line, "%d arguments", argc);
    char name[16] = {};
    std::strncpy(name, argv[0], sizeof name - 1);
    std::printf("%s: %s\n", name, line);
    return 0;
}
