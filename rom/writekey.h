#pragma once

// The image's bytes change only through a transaction, which records them first, or through
// recovery, which puts a recorded save right: every call that writes the image takes this key,
// and only those two can make one.
class WriteKey {
    WriteKey() = default;
    friend class TransactionWriter; // tables/transaction.cpp
    friend class RecoveryWriter;    // tables/recovery.cpp
    friend class PrimitiveWriter;   // the tests of the primitives themselves
};
