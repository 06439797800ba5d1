#include "model/channel_view.h"

namespace KoTools {

QList<int> visibleChannelIds(const ChannelViews& views) {
  QList<int> ids;
  for (qsizetype i = 0; i < views.size(); ++i) {
    if (!views[i]->isHidden()) ids.append(static_cast<int>(i + 1));
  }
  return ids;
}

}  // namespace KoTools
