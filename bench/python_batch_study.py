#!/usr/bin/env python3
"""Times the 10,000-case study of bench/batch_study.sh two ways: `rillo-cli batch`
(its own threads, one per core) and the Python module in a thread pool of two.
Run by hand from the top of a build tree, after `make build`:

    PYTHONPATH=build/python python3 bench/python_batch_study.py [build/cli/rillo-cli]

Each way runs five times; the best wall time is reported. Every case's summary
is read, as the batch writes every case's summary."""
import concurrent.futures
import csv
import io
import os
import resource
import subprocess
import sys
import tempfile
import time

import rillo

HERE = os.path.dirname(os.path.abspath(__file__))
KEYWORDS = ["shape", "units", "start", "end", "flow", "width", "n", "slope", "side", "control", "name"]


def cpu_seconds():
    """User and system time of this process and of the children it waited for."""
    own = resource.getrusage(resource.RUSAGE_SELF)
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    return own.ru_utime + own.ru_stime + children.ru_utime + children.ru_stime


def best_of(runs, work):
    """The best wall time and the processor time of that run: on a loaded
    machine the processor time says more than the wall time."""
    best = None
    for _ in range(runs):
        cpu, start = cpu_seconds(), time.perf_counter()
        work()
        run = (time.perf_counter() - start, cpu_seconds() - cpu)
        best = run if best is None or run[0] < best[0] else best
    return best


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else "build/cli/rillo-cli"
    study = subprocess.run(["sh", os.path.join(HERE, "batch_study.sh")], capture_output=True, text=True,
                           check=True).stdout
    cases = [{key: (row[key] or None) for key in KEYWORDS} for row in csv.DictReader(io.StringIO(study))]

    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "study.csv")
        with open(path, "w") as f:
            f.write(study)
        def run_batch():
            # Exit 1 only says that some cases of the study failed, as some are meant to.
            done = subprocess.run([cli, "batch", path, "--output", os.path.join(folder, "out.csv")])
            if done.returncode not in (0, 1):
                raise SystemExit(f"rillo-cli batch exited {done.returncode}")
        batch = best_of(5, run_batch)

    def compute(case):
        # A failed case costs its computation and yields its message, as a failed row of the batch does.
        try:
            return rillo.profile(**case).summary
        except rillo.Error as error:
            return str(error)

    def chunk(part):
        return [compute(case) for case in part]

    def per_case():
        with concurrent.futures.ThreadPoolExecutor(2) as pool:
            list(pool.map(compute, cases))

    def two_halves():
        half = len(cases) // 2
        with concurrent.futures.ThreadPoolExecutor(2) as pool:
            list(pool.map(chunk, [cases[:half], cases[half:]]))

    loop = best_of(5, lambda: chunk(cases))
    pooled = best_of(5, per_case)
    halves = best_of(5, two_halves)
    print(f"{len(cases)} profiles, best of 5 wall times (and the processor time of that run):")
    for label, (wall, cpu) in [("rillo-cli batch (one thread per core)", batch),
                               ("module, one thread (a plain loop)", loop),
                               ("module, pool of 2, one task per case", pooled),
                               ("module, pool of 2, two tasks of half the cases", halves)]:
        print(f"  {label:48} {wall:.3f} s ({cpu:.3f} s cpu)  {wall / batch[0]:.2f} x batch")


if __name__ == "__main__":
    main()
