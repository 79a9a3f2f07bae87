#!/usr/bin/env python3
"""Reads the JUnit files ctest writes (--output-junit) for the test command.

  junit.py failed FILE
      prints the names of the tests that failed in FILE, one a line.
  junit.py summary LOG_DIR STAGE=RC... [--check STAGE=RC]...
      the totals of the test command. A ctest stage's results are in LOG_DIR/STAGE.xml; where
      LOG_DIR/STAGE.rerun.xml exists, its results replace the first run's for the tests it
      holds. A stage that failed without its XML, or beyond what its XML shows, counts one
      failure more. A --check stage is one test: passed when its status is 0. Exits 1 when
      anything failed; the last line printed is "total: N passed, M failed".
"""
import argparse
import os
import sys
import xml.etree.ElementTree as ET


def results(path):
    """{test name: "passed" | "failed" | "skipped"} from one JUnit file, in file order."""
    found = {}
    for case in ET.parse(path).getroot().iter("testcase"):
        status = case.get("status", "")
        skip = case.find("skipped")
        if status == "disabled":
            continue  # ctest lists disabled tests but neither runs nor counts them
        if status == "run" and case.find("failure") is None and case.find("error") is None:
            found[case.get("name")] = "passed"
        elif status == "notrun" and skip is not None and skip.get("message", "").startswith("SKIP_"):
            # A skip the test asked for (SKIP_RETURN_CODE, SKIP_REGULAR_EXPRESSION). Any other
            # test not run (its program missing, a fixture failed) failed, as ctest counts it.
            found[case.get("name")] = "skipped"
        else:
            found[case.get("name")] = "failed"
    return found


def stage_status(text):
    name, _, rc = text.partition("=")
    if not name or not rc.lstrip("-").isdigit():
        raise argparse.ArgumentTypeError(f"expected STAGE=RC, got {text!r}")
    return name, int(rc)


def summary(args):
    passed = failed = skipped = 0
    failures = []
    retried = []
    for name, rc in args.stages:
        xml = os.path.join(args.log_dir, f"{name}.xml")
        try:
            tests = results(xml)
        except (OSError, ET.ParseError) as error:
            failures.append(f"{name}: no test results ({error}), exit status {rc}")
            failed += 1
            continue
        rerun = os.path.join(args.log_dir, f"{name}.rerun.xml")
        if os.path.exists(rerun):
            try:
                second = results(rerun)
            except ET.ParseError as error:
                second = {}
                failures.append(f"{name}: the second run left no results ({error})")
                failed += 1
            for test, outcome in second.items():
                if tests.get(test) == "failed" and outcome == "passed":
                    retried.append(test)
                tests[test] = outcome
        stage_failures = [test for test, outcome in tests.items() if outcome == "failed"]
        failures += [f"{name}: {test}" for test in stage_failures]
        failed += len(stage_failures)
        skipped += sum(1 for outcome in tests.values() if outcome == "skipped")
        passed += sum(1 for outcome in tests.values() if outcome != "failed")
        if rc != 0 and not stage_failures:
            # Its tests passed, but something else in the stage did not.
            failures.append(f"{name}: exit status {rc} beyond its tests")
            failed += 1
    for name, rc in args.check:
        if rc == 0:
            passed += 1
        else:
            failures.append(f"{name}: exit status {rc}")
            failed += 1
    for test in retried:
        print(f"passed on the second run under Wine: {test}")
    for failure in failures:
        print(f"failed: {failure}")
    if skipped:
        print(f"skipped (counted as passed): {skipped}")
    print(f"total: {passed} passed, {failed} failed")
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)
    failed_command = commands.add_parser("failed")
    failed_command.add_argument("file")
    summary_command = commands.add_parser("summary")
    summary_command.add_argument("log_dir")
    summary_command.add_argument("stages", nargs="*", type=stage_status, metavar="STAGE=RC")
    summary_command.add_argument("--check", action="append", default=[], type=stage_status,
                                 metavar="STAGE=RC")
    args = parser.parse_args()
    if args.command == "failed":
        try:
            tests = results(args.file)
        except (OSError, ET.ParseError) as error:
            print(f"junit.py: {error}", file=sys.stderr)
            return 1
        for test, outcome in tests.items():
            if outcome == "failed":
                print(test)
        return 0
    return summary(args)


if __name__ == "__main__":
    sys.exit(main())
