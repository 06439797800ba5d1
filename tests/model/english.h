#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

// The messages in English while it lives; the other tests expect text ids.
struct English {
  QTranslator translator;
  English() {
    EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/vorn_en.qm")));
    QCoreApplication::installTranslator(&translator);
  }
  ~English() { QCoreApplication::removeTranslator(&translator); }
};
