// SPDX-License-Identifier: MIT
#pragma once

#include <QUndoCommand>

#include <functional>
#include <utility>

// A change of something that is no grid cell (a team colour, or the whole team read from a CSV
// file), made and taken back through a function that puts a value in place: the swatch and the
// colour byte, or every cell and both colours.
template <typename Value> class ValueCommand : public QUndoCommand {
public:
    ValueCommand(Value before, Value after, std::function<void(const Value&)> apply,
                 const QString& what)
        : QUndoCommand(what)
        , before_(std::move(before))
        , after_(std::move(after))
        , apply_(std::move(apply)) {}

    void redo() override { apply_(after_); }
    void undo() override { apply_(before_); }

private:
    Value before_;
    Value after_;
    std::function<void(const Value&)> apply_;
};
