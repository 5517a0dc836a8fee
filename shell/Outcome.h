#pragma once
// What a step that may fail comes back with: done, or the problem, in words
// the player can read (a save, the start-up, reading the text table).

#include <QString>
#include <utility>

namespace velko {

class [[nodiscard]] Outcome {
public:
    // Done: nothing to tell.
    Outcome() = default;
    // Failed, for the reason given.
    static Outcome failure(QString problem)
    {
        Outcome failed;
        failed.problem_ = problem.isEmpty() ? QStringLiteral("It failed for a reason not known.") : std::move(problem);
        return failed;
    }

    bool done() const { return problem_.isEmpty(); }
    // What went wrong; empty when done.
    const QString& problem() const { return problem_; }

private:
    QString problem_;
};

}   // namespace velko
