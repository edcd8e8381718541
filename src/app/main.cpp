// Program entry: the application, the fonts it was designed with, and the one window.
#include <QApplication>

#include "app/t_form1.h"
#include "platform/resource_library.h"
#include "platform/sound_cues.h"
#include "platform/file_system.h"
#include "ui/messages/user_messages.h"
#include "ui/painting/program_fonts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnel"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tarnel"));
  tarnel::MapProgramFonts();

  tarnel::PosixFileSystem files;
  tarnel::MessageBoxes messages;
  tarnel::SilentSoundCues cues;
  tarnel::ProgramServices services;
  services.ProgramFolder = tarnel::ExecutableFolder();
  services.Messages = &messages;
  services.Cues = &cues;
  services.Files = &files;

  tarnel::TForm1 form1(services);
  form1.show();
  const int status = application.exec();
  return form1.ExitStatus() != 0 ? form1.ExitStatus() : status;
}
