#pragma once

#include <QObject>

class KoFrameListModel;
class KoVelmarPanView;

// Marks the selected frame's positions on the channel cards, and keeps them marked through
// every change of the list or the selection, so that the frame Update Frame would overwrite
// is in view beside the pose it would write. The arm does not move.
class KoFrameOnCards : public QObject {
  Q_OBJECT

 public:
  KoFrameOnCards(const KoFrameListModel* model, KoVelmarPanView* cards, QObject* parent = nullptr);

 private:
  void show();

  const KoFrameListModel* model_;
  KoVelmarPanView* cards_;
};
