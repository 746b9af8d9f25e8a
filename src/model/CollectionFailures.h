#pragma once

#include "model/CollectionFile.h"
#include "platform/Failure.h"

#include <string>

namespace gw::model {

// The messages of the collection commands, shown unchanged by the windows.

inline Failure notACollectionFile()
{
    return { "Error", "The file selected is not a valid Crossword file." };
}

inline Failure unableToSavePuzzle()
{
    return { "Error", "Unable to save puzzle." };
}

// Reading for modify, copy or hand editing.
inline Failure unableToAccessWordList()
{
    return { "Error", "Unable to access Word List file." };
}

// Reading for printing.
inline Failure unableToLoadPuzzle()
{
    return { "Error", "Unable to load puzzle." };
}

inline Failure noPuzzleSelected()
{
    return { "Error", "No puzzle selected.  Please select a puzzle first." };
}

inline Failure collectionFull()
{
    return { "Error",
        "This puzzle collection is full.  A collection can hold at most "
            + std::to_string(MaxCollectionPuzzles) + " puzzles." };
}

inline Failure unableToCreateCollection()
{
    return { "Error", "Unable to create puzzle collection file." };
}

// The main window reloads its lists after a delete whether or not it succeeded, and does not
// have to show this.
inline Failure unableToDeletePuzzle()
{
    return { "Error", "Unable to delete puzzle." };
}

} // namespace gw::model
