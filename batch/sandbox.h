#pragma once

#include "batch/batcherror.h"

#include <QByteArray>
#include <QString>

#include <functional>

struct lua_State;

// How far a batch may go before it is stopped: a script may be a file someone else shared.
struct BatchLimits {
    qint64 instructions = 50'000'000;
    qint64 memory = qint64(64) << 20;
};

// A Lua state that holds only the safe base functions and the string (without dump), math, table
// and utf8 libraries: no io, os, package, require, debug, load, loadfile or dofile. It loads text
// only, never bytecode. Every allocation past the memory cap is refused, and a count hook stops a
// run past the instruction budget; once either is reached, the hook raises at every instruction,
// so that a script's own pcall cannot go on past it.
class Sandbox {
public:
    explicit Sandbox(const BatchLimits& limits = {});
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    lua_State* state() const { return m_state; }
    // Where print() writes its line; without one, what a script prints goes nowhere.
    void setPrint(std::function<void(const QString&)> print) { m_print = std::move(print); }

    // Loads `text` as a function on the top of the stack, or fills `error` (Syntax, or Memory)
    // and pushes nothing. `name` is how Lua's messages name the chunk.
    bool load(const QByteArray& text, const char* name, BatchError* error);
    // Calls the function below its `args` arguments, leaving `results` results. On a failure,
    // fills `error`, unless a metamethod filled it already with what was wrong, and leaves nothing.
    bool call(int args, int results, BatchError* error);

private:
    static void* allocate(void* self, void* block, size_t was, size_t size);
    static int setup(lua_State* state);
    static void hook(lua_State* state, struct lua_Debug* where);
    static int print(lua_State* state);
    // string.find, always as a search for plain text.
    static int plainFind(lua_State* state);
    static int boundedRep(lua_State* state);
    static int boundedMove(lua_State* state);
    void failed(int status, BatchError* error);

    BatchLimits m_limits;
    qint64 m_used = 0;
    qint64 m_counted = 0;
    bool m_overMemory = false;
    bool m_overBudget = false;
    std::function<void(const QString&)> m_print;
    lua_State* m_state = nullptr;
};

// The line of the running Lua function that called the C function now running, or 0.
int CallerLine(lua_State* state);
// A value as an error names it: a string quoted, anything else as tostring() writes it.
QString LuaValueText(lua_State* state, int index);
