#pragma once
// A call that may block on a FIFO, run with a time limit: a hang fails the test at once
// instead of holding it until CTest's limit.

#include <QStringList>
#include <functional>

/**
 * Runs `appel` on another thread; true when it returned within `ms`. Otherwise each FIFO of
 * `tubes` is opened for writing, which ends an opening or a read blocked on it, and false is
 * returned once the call has ended.
 */
bool finitSansBlocage(const std::function<void()>& appel, int ms, const QStringList& tubes = {});
