// One copy of the game for the two-copies test: loads the table, says
// "loaded", waits for a line, adds a record under argv[1] with argv[2] points
// and saves, the way the game does after the name entry.
#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

#include "HighScores.h"
#include "SavedFiles.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    velko::SavedFiles saved;
    velko::ScoreTable scores;
    saved.loadHighScores(scores, QStringLiteral("Meister"));
    std::cout << "loaded" << std::endl;
    std::string line;
    std::getline(std::cin, line);
    velko::insertScore(scores, {QString::fromUtf8(argv[1]), std::atoi(argv[2]), velko::nowDateValue(), {}});
    const QString problem = saved.saveHighScores(scores);
    std::fputs(qPrintable(problem), stderr);
    return problem.isEmpty() ? 0 : 1;
}
