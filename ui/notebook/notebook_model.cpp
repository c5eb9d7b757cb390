#include "ui/notebook/notebook_model.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "notebook/hand_results.h"
#include "notebook/notebook_messages.h"
#include "notebook/notebook_points.h"
#include "notebook/notebook_table.h"
#include "ui/look.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

// The marks of a point's number: a warning sign for readings out of range
// or no longer given, a violet dot where the bench's model is not physical.
QIcon mark_icon(bool warning, bool validity) {
    static const std::array<QIcon, 3> kIcons = [] {
        const int side = 16;
        QPixmap dot(side, side);
        dot.fill(Qt::transparent);
        {
            QPainter painter(&dot);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(look::kValidityText);
            painter.drawEllipse(QRectF(3, 3, side - 6, side - 6));
        }
        const QPixmap sign =
            QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side);
        QPixmap both(2 * side, side);
        both.fill(Qt::transparent);
        {
            QPainter painter(&both);
            painter.drawPixmap(0, 0, sign);
            painter.drawPixmap(side, 0, dot);
        }
        return std::array<QIcon, 3>{QIcon(sign), QIcon(dot), QIcon(both)};
    }();
    return kIcons[warning && validity ? 2 : validity ? 1 : 0];
}

}  // namespace

NotebookModel::NotebookModel(NotebookHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {
    history_.set_observer(this);
}

NotebookModel::~NotebookModel() {
    history_.set_observer(nullptr);
}

void NotebookModel::inserting(int row) {
    beginInsertRows({}, row, row);
}
void NotebookModel::inserted(int) {
    endInsertRows();
}
void NotebookModel::removing(int row) {
    beginRemoveRows({}, row, row);
}
void NotebookModel::removed(int) {
    endRemoveRows();
}
void NotebookModel::note_changed(int row) {
    emit dataChanged(index(row, noteColumn()), index(row, noteColumn()));
}
void NotebookModel::hand_results_changed(int row) {
    emit dataChanged(index(row, handColumn(0)), index(row, handColumn(kHandResultCount - 1)));
}
void NotebookModel::header_changed() {
    emit headerChanged();
}
void NotebookModel::resetting() {
    beginResetModel();
}
void NotebookModel::reset() {
    endResetModel();
    emit headerChanged();
}

int NotebookModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int NotebookModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_column_count();
}

QString NotebookModel::cellText(int row, int column) const {
    return qt::to_qstring(table_cell(point(row), column));
}

QString NotebookModel::headerText(int column) const {
    return qt::to_qstring(table_header(column));
}

Qt::ItemFlags NotebookModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    const bool editable = index.column() == noteColumn() || handResultOf(index.column()) >= 0;
    return editable ? base | Qt::ItemIsEditable : base;
}

bool NotebookModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= count())
        return false;
    const QString text = value.toString();
    if (index.column() == noteColumn()) {
        if (qt::to_utf8(text) != point(index.row()).note)
            emit noteEditRequested(index.row(), text);
        return true;
    }
    const int which = handResultOf(index.column());
    if (which < 0)
        return false;
    if (qt::to_utf8(text) != point(index.row()).hand_results[static_cast<std::size_t>(which)])
        emit handResultEditRequested(index.row(), which, text);
    return true;
}

QVariant NotebookModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) {
        return {};
    }
    const MarkedPoint& p = point(index.row());
    const int column = index.column();
    const bool marked_setting = std::ranges::any_of(
        p.out_of_range,
        [&](const SettingOutOfRange& o) { return modelColumn(o.column) == column; });
    const bool differing = column != kNumberColumn && column != noteColumn() &&
                           std::ranges::find(p.differing, column - 1) != p.differing.end();
    // A hand result the review could not read is shown as wrong now, and why.
    const int hand = handResultOf(column);
    const auto style = [&p] { return qt::number_style(QLocale(qt::to_qstring(p.locale))); };
    const bool unreadable =
        hand >= 0 && check_hand_result(p.hand_results[static_cast<std::size_t>(hand)], 1.0,
                                       kDefaultTolerance, style()) == HandCheck::unreadable;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return cellText(index.row(), column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(column == noteColumn() ? Qt::AlignLeft | Qt::AlignVCenter
                                                              : Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return marked_setting || unreadable ? QVariant(look::kWarningFill)
                   : differing                  ? QVariant(look::kDifferingFill)
                                                : QVariant();
        case Qt::DecorationRole:
            if (column == kNumberColumn && p.marked()) {
                return mark_icon(p.warned(), !p.validity.empty());
            }
            return {};
        case Qt::ToolTipRole:
            if (unreadable)
                return qt::to_qstring(hand_result_unreadable(style().decimal_point));
            if (p.marked() && (column == kNumberColumn || marked_setting || differing)) {
                return qt::to_qstring(marks_explained(p));
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

QString NotebookModel::tabSeparated(const QList<int>& rows, const QList<int>& columns) const {
    return qt::to_qstring(tab_separated(history_.points(),
                                        std::vector<int>(rows.begin(), rows.end()),
                                        std::vector<int>(columns.begin(), columns.end())));
}

QByteArray NotebookModel::csv(const QLocale& locale) const {
    std::vector<std::vector<std::string>> cells;
    cells.reserve(history_.points().size());
    for (const MarkedPoint& p : history_.points()) cells.push_back(p.cells);
    return QByteArray::fromStdString(
        notebook_csv(document(), cells, qt::number_style(locale), true));
}

}  // namespace gelvor::ui::notebook
