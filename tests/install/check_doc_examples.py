#!/usr/bin/env python3
"""Builds and runs the examples of a document against the installed package.

The document's ```cmake block that declares a project is the CMakeLists.txt of
every example; each ```cpp block with a main() is one example's main.cpp.  The
build is installed into a scratch prefix first, so an example knows the
component set only as a user's program would.  An example runs on the
offscreen platform until it ends by itself or has shown its window for a few
seconds; a crash, an exception or a non-zero exit fails the test.

    check_doc_examples.py BUILD_DIR DOCUMENT WORK_DIR
"""
import os
import re
import shutil
import subprocess
import sys

RUN_SECONDS = 3


def blocks(text, language):
    return re.findall(r"^```" + language + r"\n(.*?)^```", text, re.S | re.M)


def run(*command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed ({result.returncode}):\n{result.stdout}{result.stderr}")


def main(build_dir, document, work_dir):
    text = open(document, encoding="utf-8").read()
    projects = [b for b in blocks(text, "cmake") if "project(" in b]
    programs = [b for b in blocks(text, "cpp") if re.search(r"\bint main\(", b)]
    if len(projects) != 1 or not programs:
        sys.exit(f"{document}: expected one CMake project and at least one program, "
                 f"found {len(projects)} and {len(programs)}")
    executable = re.search(r"add_executable\((\w+)", projects[0]).group(1)

    shutil.rmtree(work_dir, ignore_errors=True)
    prefix = os.path.join(work_dir, "prefix")
    for component in ("library", "development"):
        run("cmake", "--install", build_dir, "--prefix", prefix, "--component", component)

    for number, program in enumerate(programs, 1):
        source = os.path.join(work_dir, f"example{number}")
        os.makedirs(source)
        with open(os.path.join(source, "CMakeLists.txt"), "w") as f:
            f.write(projects[0])
        with open(os.path.join(source, "main.cpp"), "w") as f:
            f.write(program)
        build = os.path.join(source, "build")
        run("cmake", "-S", source, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
            f"-DCMAKE_PREFIX_PATH={prefix}", "-DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON")
        run("cmake", "--build", build)
        environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        try:
            result = subprocess.run([os.path.join(build, executable)], env=environment,
                                    capture_output=True, text=True, timeout=RUN_SECONDS)
        except subprocess.TimeoutExpired:
            print(f"example {number}: built, and still running after {RUN_SECONDS} s")
            continue
        if result.returncode != 0:
            sys.exit(f"example {number} exited {result.returncode}:\n{result.stdout}{result.stderr}")
        print(f"example {number}: built, ran and ended")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
