#include "widgets/listview/column_settings_store.h"

#include <QSettings>

#include "widgets/listview/column_settings.h"

namespace scorvane {

void ReadColumnSettings(QSettings& settings, const QString& section, ListColumnModel& columns) {
  settings.beginGroup(section);
  for (int i = 0; i < columns.Count(); ++i) {
    ListColumn& column = columns.Column(i);
    const QString current = QString::fromStdString(ColumnSettingText(column));
    const QString text =
        settings.value(QString::fromStdString(ColumnSettingKey(i)), current).toString();
    ApplyColumnSettingText(text.toStdString(), column);
  }
  const QString current_order = QString::fromStdString(DisplayOrderText(columns.DisplayOrder()));
  const QString order_text =
      settings.value(QString::fromUtf8(kDisplayOrderKey), current_order).toString();
  columns.SetDisplayOrder(ParseDisplayOrder(order_text.toStdString(), columns.DisplayOrder()));
  settings.endGroup();
}

void WriteColumnSettings(QSettings& settings, const QString& section,
                         const ListColumnModel& columns) {
  settings.beginGroup(section);
  for (int i = 0; i < columns.Count(); ++i) {
    settings.setValue(QString::fromStdString(ColumnSettingKey(i)),
                      QString::fromStdString(ColumnSettingText(columns.Column(i))));
  }
  settings.setValue(QString::fromUtf8(kDisplayOrderKey),
                    QString::fromStdString(DisplayOrderText(columns.DisplayOrder())));
  settings.endGroup();
}

void ReadColumnSettings(const QString& section, ListColumnModel& columns) {
  QSettings settings;
  ReadColumnSettings(settings, section, columns);
}

void WriteColumnSettings(const QString& section, const ListColumnModel& columns) {
  QSettings settings;
  WriteColumnSettings(settings, section, columns);
}

}  // namespace scorvane
