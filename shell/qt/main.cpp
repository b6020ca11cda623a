#include <QApplication>

#include "platform/qt/qt_platform.h"
#include "shell/qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("VERLO varázslók");
  app.setFont(verlo::ProgramFont());
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  verlo::QtMessageBox messages;
  verlo::QtSaveDialog dialog;
  verlo::DiskFileSystem files;
  verlo::TForm1Widget window(messages, dialog, files, args);
  window.show();
  return app.exec();
}
