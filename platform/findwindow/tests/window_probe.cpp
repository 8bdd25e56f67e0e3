// A program with one published window. Its caption (Shift-JIS bytes) is the
// first argument. Commands on its input, one a line: "title <caption>" sets a
// new caption, "destroy" destroys the window; each is answered with "done".
#include <QApplication>
#include <QWidget>

#include <iostream>
#include <string>

#include <platform/findwindow.h>
#include <platform/qt_text.h>

class TFrm_Probe : public QWidget {
    Q_OBJECT
};

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    QApplication app(argc, argv);
    TFrm_Probe* window = new TFrm_Probe;
    window->setWindowTitle(qt_from_sjis(argv[1]));
    publish_window(window);
    std::cout << "published" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.compare(0, 6, "title ") == 0 && window)
            window->setWindowTitle(qt_from_sjis(line.c_str() + 6));
        else if (line == "destroy") {
            delete window;
            window = nullptr;
        }
        std::cout << "done" << std::endl;
    }
    delete window;
    return 0;
}

#include "window_probe.moc"
