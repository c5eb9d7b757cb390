#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "notebook/review.h"

// A class's submissions read from their files for the review.
namespace gelvor::classroom {

// Each file whole, up to the notebook's size limit; one that cannot be read
// or is too large becomes a submission that says why, so that it still gets
// its row.
std::vector<Submission> read_submissions(const QStringList& paths);

// The review with the teacher's key: the seal checked under it, each
// point's numbers read in its own locale's format.
std::vector<ReviewRow> review_with_key(const std::vector<Submission>& submissions,
                                       const QByteArray& key, double tolerance);

}  // namespace gelvor::classroom
