#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "editor/file_panels.h"
#include "editor/frame_editor.h"
#include "editor/frame_list_model.h"
#include "editor/online_control.h"
#include "editor/online_run.h"
#include "editor/save_reminder.h"
#include "editor/velmar_view_controller.h"
#include "link/serial_port_manager.h"
#include "link_fixture.h"
#include "recording_prompter.h"
#include "virtual_run_clock.h"

// An action file image of `records` (14 bytes each).
inline QByteArray actionImage(const QByteArray& records) {
  QByteArray out("SOBARM", 6);
  out.append(char(records.size() / 14)).append('\0').append(8, '\0');
  return out + records;
}

// Answers the open and save panels at once and counts how often they were shown.
class FakePanels : public KoFilePanels {
 public:
  QStringList chooseFilesToOpen(bool, const QString& title) override {
    ++shown;
    titles.append(title);
    return {openPath};
  }
  QString chooseFileToSave() override {
    ++shown;
    return savePath;
  }
  QString openPath;
  QString savePath;
  int shown = 0;
  QStringList titles;
};

// The editor's files go through fake panels into a temporary folder, and its delays are
// taken out of the way: renumbering and the tip after an add come at once, the save reminder
// never within a test.
class EditorFilesFixture : public ::testing::Test {
 protected:
  void quieten(KoVelmarViewController& editor) {
    KoFilePanels::install(&panels);
    QGuiApplication::clipboard()->clear();
    editor.model()->setRenumberDelay(0);
    editor.frameEditor()->setAddDelay(0);
    editor.labelsave_file_tips()->setDelay(60 * 1000);
  }
  void TearDown() override { KoFilePanels::install(nullptr); }

  QString write(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }

  QTemporaryDir dir;
  FakePanels panels;
};

// The editor shown on the virtual board, its online run on a clock the test moves.
class EditorOnBoardFixture : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    RecordingPrompter::instance().reset();
    editor.online()->run()->setClock(&clock);
  }
  void TearDown() override {
    editor.online()->run()->stop();
    RecordingPrompter::instance().reset();
    LinkFixture::TearDown();
  }

  VirtualClock clock;
  ORSSerialPortManager ports{[] { return QStringList{}; }};
  KoVelmarViewController editor{link, nullptr, &ports};
};
