#pragma once

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <functional>

#include "app/fonts.h"
#include "model/language.h"
#include "scratch_settings.h"
#include "widgets/theme.h"

// The frame of a program that draws pictures for a person to look at: offscreen unless told
// otherwise (QT_QPA_PLATFORM=xcb shows the real window), scratch settings, the output folder as
// its one argument, the interface's font, light scheme and languages. `render` draws into the
// folder and returns 0 when it did; `wrote` then says what is there.
inline int runPictures(int argc, char** argv, const char* program, const char* wrote,
                       const std::function<int(const QString& folder)>& render) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const ScratchSettings settings;
  if (!settings.isValid()) {
    std::fprintf(stderr, "%s: no temporary folder for the settings\n", program);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Vorn"));
  QApplication::setApplicationName(QString::fromLatin1(program).replace(u'_', u'-'));
  const QStringList args = QApplication::arguments();
  if (args.size() != 2 || args[1].startsWith('-')) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", program);
    return 2;
  }
  if (!QDir().mkpath(args[1])) {
    std::fprintf(stderr, "%s: cannot make the output folder\n", program);
    return 1;
  }
  KoFonts::applyUiFont();
  KoTheme::apply(KoTheme::Scheme::Light);
  KoLanguage::instance().load();
  const int result = render(args[1]);
  KoLanguage::instance().choose(QStringLiteral("English"), nullptr);
  if (result == 0) std::printf("%s: wrote %s/%s\n", program, qPrintable(args[1]), wrote);
  return result;
}
