#pragma once

#include <cstddef>

// The catalogues of the core's texts, one per language, made at build time
// from translations/vorel_<code>.ts (its context "Core") by
// tools/CatalogueGen.cpp.

struct CLSCatalogueEntry {
    const char* source;  // the Japanese text, as VT() is given it
    const char* translation;
};

struct CLSCoreCatalogue {
    const char* code;  // "en"
    const CLSCatalogueEntry* entries;
    size_t count;
};

/// Every catalogue built into the program (none without translations).
const CLSCoreCatalogue* CoreCatalogues(size_t* count);
