#pragma once
// The test classes of the evaluation folder, run one after the other by one executable.

int runAnnualEvaluationTests(int argc, char** argv);
int runFleetFilesTests(int argc, char** argv);
int runEvaluationPrintTests(int argc, char** argv);
int runEvaluationWindowTests(int argc, char** argv);
