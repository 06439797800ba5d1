#include "cli/usb_boards.h"

#include <gtest/gtest.h>

#include <set>

#include "cli/exit_codes.h"
#include "link/hidapi_transport.h"
#include "model/language.h"

namespace {

using namespace vornctl;

// What hidapi lists and which devices this user may open.
struct ListedHid : HidapiBackend {
  ListedHid(std::vector<DeviceInfo> d, std::set<std::string> n) : devices(d), denied(n) {}
  std::vector<DeviceInfo> devices;
  std::set<std::string> denied;

  struct Opened : Handle {
    int write(const QByteArray&) override { return -1; }
    int readTimeout(unsigned char*, int, int) override { return 0; }
  };
  std::vector<DeviceInfo> enumerate(quint16, quint16) override { return devices; }
  std::unique_ptr<Handle> open(const std::string& path, QString* error) override {
    if (!denied.count(path)) return std::make_unique<Opened>();
    *error = QStringLiteral("Permission denied");
    return nullptr;
  }
};

TEST(UsbBoards, EachWayOfNotHavingOneBoardHasItsOwnCode) {
  KoLanguage::instance().setLanguage(QStringLiteral("en"));

  using Case =
      std::tuple<std::vector<HidapiBackend::DeviceInfo>, std::set<std::string>, int, QString>;
  const QList<Case> cases = {
      {{}, {}, kNoBoard, "no board found"},
      {{{"/dev/hidraw1", "TAVEN"}, {"/dev/hidraw2", "TAVEN"}}, {}, kSeveralBoards, "2 boards"},
      {{{"/dev/hidraw1", "TAVEN"}},
       {"/dev/hidraw1"},
       kNoPermission,
       "/dev/hidraw1 (Permission denied). Install the udev rule 70-vorn.rules"},
      // Same vendor and product, but another device: not the board.
      {{{"/dev/hidraw0", "Keyboard"}, {"/dev/hidraw1", "TAVEN"}}, {}, kDone, ""},
  };
  for (const auto& [devices, denied, code, message] : cases) {
    ListedHid hid(devices, denied);
    try {
      EXPECT_EQ(oneUsbBoard(findUsbBoards(hid)).path, QStringLiteral("/dev/hidraw1"));
      EXPECT_EQ(code, kDone);
    } catch (const CliError& e) {
      EXPECT_EQ(e.code(), code) << e.what();
      EXPECT_TRUE(QString::fromUtf8(e.what()).contains(message)) << e.what();
    }
  }
}

}  // namespace
