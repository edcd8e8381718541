// The program's window for the tools that look at it or time it: opened on a scratch program
// folder, through the same services the program uses, with a recording message box.
#pragma once

#include <QRect>
#include <functional>
#include <filesystem>
#include <memory>

#include "app/t_form1.h"

namespace tarnel::lab {

inline std::unique_ptr<TForm1> OpenLabWindow(const std::filesystem::path& folder, FileSystem& files,
                                             UserMessages& messages, SoundCues& cues,
                                             std::function<void(QDialog&)> showDialog = {}) {
  ProgramServices services;
  services.ProgramFolder = folder;
  services.Messages = &messages;
  services.Cues = &cues;
  services.Files = &files;
  services.Screen = QRect(0, 0, 1920, 1080);
  services.ShowDialog = std::move(showDialog);
  services.Attention = [](const QString&, const QString&, const QString&) {};
  auto form = std::make_unique<TForm1>(services);
  form->show();
  return form;
}

}  // namespace tarnel::lab
