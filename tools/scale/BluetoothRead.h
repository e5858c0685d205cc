#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace tarvel {

// `tarvel-scale read --bluetooth [ADDRESS] [--count N] [--timeout SECONDS]`: a check for a Bluetooth
// scale. Without an address it lists the scales it finds; with one it prints each reading it gets.
struct ReadOptions {
    QString address; // empty: search and list
    int count = 1;
    int timeoutSeconds = 60;
};

// The arguments after "read"; nullopt with `error` set when they are not valid.
std::optional<ReadOptions> ParseReadArguments(const QStringList& arguments, QString* error);

// Runs the check in the application's event loop. Returns the exit status: 0 after the readings
// asked for (or a search that found a scale), 1 on time-out or with Bluetooth off, after one line
// saying why.
int RunBluetoothRead(const ReadOptions& options, FILE* out, FILE* err);

} // namespace tarvel
