// Program entry: the application, the fonts it was designed with, the sound and the one window.
#include <QApplication>

#include "app/menu_music.h"
#include "app/t_form1.h"
#include "platform/audio_output.h"
#include "platform/card_voice.h"
#include "platform/file_system.h"
#include "platform/resource_library.h"
#include "ui/messages/user_messages.h"
#include "ui/painting/program_fonts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnel"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tarnel"));
  tarnel::MapProgramFonts();

  tarnel::PosixFileSystem files;
  tarnel::MessageBoxes messages;
  tarnel::ProgramServices services;
  services.ProgramFolder = tarnel::ExecutableFolder();
  // The null output when no sound device plays: the program runs the same, silently. OpenAL,
  // which GStreamer probes among its sinks, would otherwise complain on stderr about the missing
  // device.
  if (!qEnvironmentVariableIsSet("ALSOFT_LOGLEVEL")) qputenv("ALSOFT_LOGLEVEL", "0");
  const auto audio = tarnel::OpenAudioOutput();
  tarnel::ArchiveSoundCues cues(tarnel::ResourceLocator{services.ProgramFolder}.OpenLibrary(""),
                                *audio);
  tarnel::CardVoice voice(tarnel::ResourceLocator{services.ProgramFolder}, *audio);
  services.Voice = &voice;
  services.Messages = &messages;
  services.Cues = &cues;
  services.Files = &files;

  tarnel::TForm1 form1(services);
  tarnel::MenuMusic music(form1, *audio, tarnel::MenuMusic::UserTemporaryFolder());
  form1.show();
  const int status = application.exec();
  return form1.ExitStatus() != 0 ? form1.ExitStatus() : status;
}
