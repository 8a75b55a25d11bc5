#pragma once
// Which folder is the program folder when none is named on the command line.
//
// Run from its own folder (the build folder, an unpacked archive) the program
// keeps its settings beside the executable, as always. Installed under a
// prefix (/usr/bin/skyloom, its data in /usr/share/skyloom) the executable's
// folder is not the user's to write, so every user gets a program folder of
// their own, made on the first start from the installed data.

#include <string>

namespace skyloom {

// What decides the program folder, as found on the file system and in the
// environment.
struct ProgramFolderFacts {
    std::string executableFolder;       // without a trailing separator
    bool dataBesideExecutable = false;  // AC.dat in the executable's folder
    bool installedDataPresent = false;  // AC.dat in InstalledDataFolder(executableFolder)
    std::string xdgDataHome;            // $XDG_DATA_HOME, empty when unset
    std::string home;                   // $HOME, empty when unset
};

struct ProgramFolderPlace {
    std::string programFolder;  // without a trailing separator
    std::string installedData;  // the installed data folder, empty when not installed
};

// The installed data beside an executable in PREFIX/bin: PREFIX/share/skyloom.
std::string InstalledDataFolder(const std::string& executableFolder);

// The rule: the program counts as installed exactly when there is no AC.dat
// beside the executable but there is one in the installed data folder. An
// installed program uses $XDG_DATA_HOME/skyloom when that variable holds an
// absolute path, else $HOME/.local/share/skyloom; with neither it keeps the
// executable's folder.
ProgramFolderPlace ChooseProgramFolder(const ProgramFolderFacts& facts);

// Makes an installed program's folder ready. The first start (the folder does
// not exist yet) creates it with one output folder per kind of plan below
// "plans" and a path.ini naming the installed sample navigation database and
// those folders; every start copies the installed files the folder lacks
// (AC.dat, the performance files, the help page, the map's land). Files the
// folder has are never replaced. Returns what went wrong, empty when all is
// well; does nothing for a program that is not installed.
std::string PrepareProgramFolder(const ProgramFolderPlace& place);

struct DefaultProgramFolder {
    std::string programFolder;
    std::string error;  // set when the folder could not be made ready
};

// The program folder of this run when none is named: the rule above applied
// to the running executable and the environment, the folder made ready.
DefaultProgramFolder FindDefaultProgramFolder();

}  // namespace skyloom
