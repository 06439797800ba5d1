// Poses arrive as a JSON file to import, or from the settings. Reading one must either refuse
// it with a message or give poses that write out and read back the same; and importing poses
// into those already kept must lose none of them: every kept pose stays as it was, and each
// pose put() would take is added under a name of its own that stays its own once kept.
//
// The first byte chooses how the rest makes the two sets: even, two JSON texts (kept, then
// imported) split at the first NUL; odd, records of names over a small alphabet of the
// characters that tidying, cutting and numbering names trip over.
#include <cstddef>
#include <cstdint>

#include <QSet>
#include <QtGlobal>

#include "model/arm_profile.h"
#include "model/named_poses.h"

namespace {

void require(bool ok) {
  if (!ok) __builtin_trap();
}

void silent(QtMsgType, const QMessageLogContext&, const QString&) {}

QList<KoNamedPose> fromJson(const QByteArray& text) {
  QString error;
  const std::optional<QList<KoNamedPose>> poses = KoNamedPoses::fromJson(text, &error);
  require(poses.has_value() == error.isEmpty());
  return poses.value_or(QList<KoNamedPose>{});
}

// Spaces of three kinds, digits, a surrogate pair's halves, a bidi override, NUL, letters.
constexpr char16_t kAlphabet[16] = {u'A',   u'b',   u' ',   u'2', u'9', u'\t', 0x00A0, 0x3000,
                                    0xD83D, 0xDE00, 0x202E, 0,    u'x', u'.',  0x4E2D, u'y'};

// Records: a flag byte (bit 7: imported rather than kept; bits 0 to 5: the channels there), a
// name's length and its characters, then two bytes of position a channel.
void records(const uint8_t* data, size_t size, QList<KoNamedPose>* kept,
             QList<KoNamedPose>* imported) {
  size_t at = 0;
  while (at + 2 <= size) {
    const uint8_t flags = data[at];
    const size_t length = std::min<size_t>(data[at + 1], size - at - 2);
    at += 2;
    KoNamedPose pose;
    for (size_t i = 0; i < length; ++i) pose.name += QChar(kAlphabet[data[at + i] & 15]);
    at += length;
    for (size_t c = 0; c < pose.positions.size(); ++c) {
      if (!(flags & (1u << c)) || at + 2 > size) continue;
      pose.positions[c] = int(data[at] | data[at + 1] << 8) - 20000;
      at += 2;
    }
    (flags & 0x80 ? imported : kept)->append(pose);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (qInstallMessageHandler(silent), true);
  (void)quiet;
  if (size < 1) return 0;
  QList<KoNamedPose> kept;
  QList<KoNamedPose> imported;
  if (data[0] % 2 == 0) {
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype split = rest.indexOf('\0');
    kept = fromJson(split < 0 ? rest : rest.left(split));
    if (split >= 0) imported = fromJson(rest.mid(split + 1));
  } else {
    records(data + 1, size - 1, &kept, &imported);
  }

  KoNamedPoses poses;
  for (const KoNamedPose& p : kept) poses.put(p);
  const QList<KoNamedPose> before = poses.all();
  int valid = 0;
  for (const KoNamedPose& p : imported) valid += KoNamedPoses().put(p) ? 1 : 0;

  require(poses.merge(imported) == valid);
  const QList<KoNamedPose>& after = poses.all();
  require(after.size() == before.size() + valid);
  require(std::equal(before.begin(), before.end(), after.begin()));
  QSet<QString> names;
  for (const KoNamedPose& p : after) {
    require(!p.name.isEmpty() && p.name.size() <= KoNamedPoses::kMaxNameLength);
    require(KoNamedPoses::tidyName(p.name) == p.name);
    require(!KoTools::firstUnprintable(p.name));
    for (const std::optional<int>& position : p.positions) {
      require(!position || limits::kPosition.contains(*position));
    }
    names.insert(p.name);
  }
  require(names.size() == after.size());

  const std::optional<QList<KoNamedPose>> again = KoNamedPoses::fromJson(poses.toJson());
  require(again && *again == after);
  for (const KoNamedPose& p : imported.mid(0, 4)) {
    const QString free = poses.freeName(p.name);
    require(free.isEmpty() || !names.contains(free));
  }
  return 0;
}
