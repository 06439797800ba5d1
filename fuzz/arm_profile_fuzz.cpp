// Any byte string may arrive as an arm profile (an imported file, the settings) or as the old
// joint table. Reading one must either refuse it with a message, or give a profile that keeps
// every rule a profile is held to, writes itself out and reads back the same.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include <QtGlobal>

#include "model/arm_profile.h"

namespace {

void require(bool ok) {
  if (!ok) __builtin_trap();
}

// Without translations the texts are their ids, which Qt warns about on every argument.
void silent(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (qInstallMessageHandler(silent), true);
  (void)quiet;
  const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  if (const std::optional<KoArmJoints> table = KoArmJoints::parse(text)) {
    for (const KoArmJoint& j : table->joints) {
      require(j.channel >= 1 && j.channel <= KoArmProfile::kMaxJointChannel);
      require(std::abs(j.angleAt0) <= KoArmProfile::kMaxJointAngle);
      require(std::abs(j.angleAt1000) <= KoArmProfile::kMaxJointAngle);
    }
  }

  QString error;
  const std::optional<KoArmProfile> profile = KoArmProfile::fromJson(text, &error);
  if (!profile) {
    require(!error.isEmpty());
    return 0;
  }
  require(error.isEmpty());
  require(!profile->fault());
  require(!profile->name.trimmed().isEmpty());
  require(profile->name.size() <= KoArmProfile::kMaxNameLength);
  require(!KoTools::firstUnprintable(profile->name));
  for (const KoChannelProfile& c : profile->channels) {
    require(c.lowest >= limits::kPosition.minimum && c.lowest <= c.highest &&
            c.highest <= limits::kPosition.maximum);
  }
  const QByteArray json = profile->toJson();
  const std::optional<KoArmProfile> again = KoArmProfile::fromJson(json);
  require(again && *again == *profile && again->toJson() == json);

  // A free name made from it can be kept, however long the name already is.
  KoArmProfiles profiles;
  if (profiles.put(*profile)) {
    KoArmProfile copy = *profile;
    copy.name = profiles.freeName(profile->name);
    require(copy.name != profile->name && profiles.put(copy));
  }
  return 0;
}
