// Stands in for the web browser and the document viewers the shell starts. It opens
// nothing: it appends one line to the file named by its first argument and ends. The line
// holds the show command it was started with (SW_SHOW, SW_HIDE ...) and then its other
// arguments, separated by tabs. Tests register it as the shell's open command (for the
// http scheme, or for a file type of their own) with that file in the command line, and
// read what the shell gave it.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;

    std::FILE* record = std::fopen(argv[1], "ab");
    if (!record)
        return 1;
    std::fprintf(record, "%d", show);
    for (int i = 2; i < argc; ++i)
        std::fprintf(record, "\t%s", argv[i]);
    std::fputs("\r\n", record);
    return std::fclose(record) == 0 ? 0 : 1;
}
