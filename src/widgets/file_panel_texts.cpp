#include "widgets/file_panel_texts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {

class LocalTexts final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid()) {
      return QIdentityProxyModel::data(index, role);
    }
    const QModelIndex source = mapToSource(index);
    const QLocale locale;
    switch (index.column()) {
      case 1:
        if (files->isDir(source)) break;
        // Below a kibibyte Qt spells out "bytes", which not every translation has.
        if (files->size(source) < 1024) return locale.toString(files->size(source)) + " B";
        return locale.formattedDataSize(files->size(source));
      case 2:
        // Qt's own translations carry this word under the panel's name only.
        if (files->isDir(source)) return QCoreApplication::translate("QFileDialog", "Folder");
        break;
      case 3:
        return locale.toString(files->lastModified(source), QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(index, role);
  }
};

}  // namespace

void KoTools::speakChosenLanguage(QFileDialog& panel) {
  panel.setProxyModel(new LocalTexts(&panel));
}
