#include "ui/notebook/notebook_model.h"

#include <QApplication>
#include <QColor>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <limits>

#include "present/box_reading.h"
#include "present/table_text.h"
#include "ui/look.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

// Amber, as the setting boxes are marked when a value is out of range.

QString joined_messages(const RecordedPoint& p) {
    QStringList lines;
    for (const SettingOutOfRange& o : p.out_of_range) lines << qt::to_qstring(o.message);
    return lines.join(u'\n');
}

std::vector<std::string> utf8_fields(const QStringList& fields) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(fields.size()));
    for (const QString& f : fields) out.push_back(qt::to_utf8(f));
    return out;
}

}  // namespace

NotebookModel::NotebookModel(QObject* parent) : QAbstractTableModel(parent) {}

int NotebookModel::record(const PanelSettings& settings, const PassDisplay& pass,
                          const QLocale& locale) {
    const NumberStyle style = qt::number_style(locale);
    RecordedPoint p;
    p.number = next_number_++;
    p.settings = settings;
    for (const std::string& cell : notebook_row(settings, pass, style)) {
        p.cells << qt::to_qstring(cell);
        p.values.push_back(
            read_box_number(cell, style).value_or(std::numeric_limits<double>::quiet_NaN()));
    }
    p.out_of_range = settings_out_of_range(settings, style);
    // The same settings give the same pass: the state behind the texts.
    p.state = recompute(read_settings(settings, style)).state;

    const int row = count();
    beginInsertRows({}, row, row);
    points_.push_back(std::move(p));
    endInsertRows();
    return points_.back().number;
}

void NotebookModel::clear() {
    beginResetModel();
    points_.clear();
    next_number_ = 1;
    endResetModel();
}

int NotebookModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int NotebookModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(notebook_columns().size()) + 1;
}

QString NotebookModel::cellText(int row, int column) const {
    const RecordedPoint& p = point(row);
    return column == kNumberColumn ? QString::number(p.number) : p.cells.value(column - 1);
}

QString NotebookModel::headerText(int column) const {
    return column == kNumberColumn
               ? QStringLiteral("N.\u00BA")
               : qt::to_qstring(notebook_columns()[static_cast<std::size_t>(column - 1)].header);
}

QVariant NotebookModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) {
        return {};
    }
    const RecordedPoint& p = point(index.row());
    const int column = index.column();
    const bool marked_setting =
        std::any_of(p.out_of_range.begin(), p.out_of_range.end(),
                    [&](const SettingOutOfRange& o) { return modelColumn(o.column) == column; });
    switch (role) {
        case Qt::DisplayRole:
            return cellText(index.row(), column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return marked_setting ? QVariant(look::kWarningFill) : QVariant();
        case Qt::DecorationRole:
            if (column == kNumberColumn && !p.out_of_range.empty()) {
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            }
            return {};
        case Qt::ToolTipRole:
            if (!p.out_of_range.empty() && (column == kNumberColumn || marked_setting)) {
                return joined_messages(p);
            }
            return {};
        default:
            return {};
    }
}

QVariant NotebookModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return headerText(section);
}

bool NotebookModel::removeRows(int row, int n, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || n <= 0 || row + n > count()) {
        return false;
    }
    beginRemoveRows({}, row, row + n - 1);
    points_.erase(points_.begin() + row, points_.begin() + row + n);
    endRemoveRows();
    return true;
}

QString NotebookModel::tabSeparated(const QList<int>& rows, const QList<int>& columns) const {
    QStringList fields;
    for (int c : columns) fields << headerText(c);
    std::string out = tsv_line(utf8_fields(fields));
    for (int r : rows) {
        fields.clear();
        for (int c : columns) fields << cellText(r, c);
        out += tsv_line(utf8_fields(fields));
    }
    return qt::to_qstring(out);
}

QString NotebookModel::csv(const QLocale& locale) const {
    const char separator = csv_separator(qt::number_style(locale));
    QStringList fields;
    for (int c = 0; c < columnCount(); ++c) fields << headerText(c);
    std::string out = csv_record(utf8_fields(fields), separator);
    for (int r = 0; r < count(); ++r) {
        fields.clear();
        for (int c = 0; c < columnCount(); ++c) fields << cellText(r, c);
        out += csv_record(utf8_fields(fields), separator);
    }
    return qt::to_qstring(out);
}

}  // namespace gelvor::ui::notebook
