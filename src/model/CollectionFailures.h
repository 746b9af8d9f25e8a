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

inline Failure unableToDeletePuzzle()
{
    return { "Error", "Unable to delete puzzle.  The collection is unchanged." };
}

// The record a command was to read, save or delete no longer holds the puzzle the lists showed
// or the window loaded; `notDone` is what was therefore not done ("saved", "deleted", ...).
inline Failure puzzleChangedElsewhere(const std::string &notDone)
{
    return { "Warning",
        "This puzzle was changed or deleted by another program after it was loaded, so it was not " + notDone
            + ".  The puzzle lists have been reloaded." };
}

} // namespace gw::model
