#pragma once

class QAbstractItemView;
class QAccessibleInterface;

namespace toolkit {

// The outline's and the answer lists' accessible: Qt's own, with a stand-in in front of its table
// interface that checks every row, column and index an assistive client gives. Qt 6.4's bridge takes
// the cell of any (row, column) asked for and reads it without looking, so a cell that does not exist
// (row -1, or a millionth row) is answered by an empty cell of our own, never by a null pointer. Rows
// are selected only in a view the pupil sees.
//
// Qt's accessible is made by Qt's factory, asked once more for the same view while the stand-in is
// being made; both stay in Qt's cache, the stand-in in front. Null when asked on behalf of that inner
// request.
QAccessibleInterface* checkedTable(QAbstractItemView* view);

} // namespace toolkit
