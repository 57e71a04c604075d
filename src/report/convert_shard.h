#pragma once

#include <QString>

// Which documents of a convert file this run writes: with --shard K/N, the documents whose
// 0-based index i in file order has i mod N = K-1, so that N runs with K = 1..N write every
// document once and share nothing.
struct ConvertShard {
    int number = 1; // K
    int count = 1;  // N

    // "K/N" with 1 <= K <= N; empty when it is one, else what is wrong with it.
    static QString Parse(const QString &text, ConvertShard *shard);
    bool Owns(int document) const { return document % count == number - 1; }
};

// A PDF that a run may leave alone: a plain file that starts "%PDF-" and ends in the "%%EOF"
// line after a "startxref" (what every writer puts last). A file cut short anywhere else, or
// an empty one, is not complete. Outputs go through AtomicFile, so only something other than
// this program leaves an incomplete file where a PDF belongs.
bool IsCompletePdf(const QString &path);
