#include "editor/motion/frame_on_cards.h"

#include "session/frame_list_model.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"

KoFrameOnCards::KoFrameOnCards(const KoFrameListModel* model, KoVelmarPanView* cards,
                               QObject* parent)
    : QObject(parent), model_(model), cards_(cards) {
  connect(model, &KoFrameListModel::selectIndexChanged, this, &KoFrameOnCards::show);
  // A cell edit, an Update, an undo: the selected row may hold other positions now.
  connect(model, &KoFrameListModel::framesChanged, this, &KoFrameOnCards::show);
  connect(model, &QAbstractItemModel::modelReset, this, &KoFrameOnCards::show);
  show();
}

void KoFrameOnCards::show() {
  const VelmarFrame frame = model_->frameAt(model_->selectIndex());
  const frame::ArmPositions positions = frame ? frame->armPositions() : frame::ArmPositions{};
  const auto& sliders = cards_->sliders();
  for (int i = 0; i < int(sliders.size()); ++i) {
    sliders[i]->setFrameMark(size_t(i) < positions.size() ? positions[size_t(i)] : std::nullopt);
  }
}
