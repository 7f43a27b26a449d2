// artgen RUNFOLDER              writes the editor's images below RUNFOLDER
// artgen --sheet-preview OUT.png  the tile sheet enlarged, numbered, with the objects
// artgen --mock-map OUT.png       a sample map composed from the tiles
#include "artset.h"
#include "preview.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: artgen RUNFOLDER\n"
                 "       artgen --sheet-preview OUT.png\n"
                 "       artgen --mock-map OUT.png\n");
    return 2;
}

int WritePreview(int argc, char** argv)
{
    // The previews only need fonts, never a screen.
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const bool sheet = std::strcmp(argv[1], "--sheet-preview") == 0;
    const bool ok = sheet ? artgen::WriteSheetPreview(out) : artgen::WriteMockMapPreview(out);
    if (!ok) {
        std::fprintf(stderr, "artgen: cannot write %s\n", argv[2]);
        return 1;
    }
    (void)argc;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && (std::strcmp(argv[1], "--sheet-preview") == 0 || std::strcmp(argv[1], "--mock-map") == 0))
        return WritePreview(argc, argv);
    if (argc != 2 || argv[1][0] == '-')
        return Usage();
    std::string failed;
    if (!artgen::WriteArtSet(argv[1], failed)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", failed.c_str());
        return 1;
    }
    return 0;
}
