// The game's only persisted state: the high-score table, the unlocked character slots and three saved settings, kept in "Vizor.cfg".
#pragma once

#include <string>

constexpr int HiScoreRows = 10;         // rows of the high-score table, best first
constexpr int HiScoreNameSize = 32;     // bytes of a stored name, terminator included
constexpr int UnlockSlots = 10;         // character-choice slots with an unlocked flag each
constexpr int SettingCount = 3;         // saved integers nothing else reads
constexpr int ConfigFileSize = 720;     // bytes of "Vizor.cfg"
constexpr int ConfigFileNameSize = 16;  // bytes of the file's name, terminator included
constexpr int SaveWait = 10000;         // milliseconds a save waits for another copy's save to end

// One row of the table; a cleared row has score 0 and empty names.
struct HISCORE {
    int Score = 0;                                // the score
    char CharacterName[HiScoreNameSize] = {};     // the character the player played as; stored, never shown
    char PlayerName[HiScoreNameSize] = {};        // the name the player typed
};

// The ten best scores, highest first; among equal scores the earlier entry stands higher.
struct HISCORES {
    HISCORE Rows[HiScoreRows];  // row 0 the best

    void Clear();                                                 // every row cleared
    void ResetHiScores();                                         // the ten rows a first start shows
    int FindSlot(int score) const;                                // the row the score would take, -1 when it does not enter
    bool IsHiScore(int score) const;                              // the score enters the table
    void Insert(const char* player, const char* character, int score);  // the row goes in, the last row drops off; names cut to fit
};

// The 720 bytes of "Vizor.cfg" as they stand on disk, all zero when built.
struct CONFIGFILE {
    unsigned char Bytes[ConfigFileSize] = {};  // the file, byte for byte
};

// The persisted state and the file it lives in.
struct CONFIG {
    HISCORES HiScores;                              // the high-score table
    unsigned char Unlocked[UnlockSlots] = {};       // by choice slot: 1 = the player may play as it
    char FileName[ConfigFileNameSize] = "Vizor.cfg";  // read from and written to in the working folder
    int Settings[SettingCount] = {};                // saved and loaded, used by nothing else; 1, 640, 480 at first
    HISCORES LastRead;                              // the table the file held when last read or written
    std::string KeepName;                           // the ".bad" name Load said a file not understood would go to
    bool RefusalSaid = false;                       // a save refused for a file not read was said
    bool TurnlessSaid = false;                      // saves going without turns, as no lock can be had, was said
    int SaveWaitMilliseconds = SaveWait;            // how long a save waits for its turn

    CONFIG();                                               // cleared table, default settings and unlocks
    // The file's record; any other file gives the defaults, is said unless missing or empty, and is left as it is.
    void Load();
    // This copy's new rows and its unlocks entered into the file as it stands now, in turn with every other copy
    // saving there; false, said on standard error and logged, when not saved, the rows and unlocks kept for the next.
    bool Save();
    void SetDefaultUnlocks();                               // slots 0 to 2 open, the rest closed
    // The record from a file's bytes; false, with the defaults, for any size but 720 or bytes not understood.
    bool LoadBytes(const unsigned char* bytes, int size);
    CONFIGFILE MakeRecord() const;                          // the record as Save writes it
};

extern CONFIG Config;  // the one configuration, loaded when the main loop starts
