"""Reads a CSV file with Python's csv module and prints its rows as JSON, so
a test can check the file the way a spreadsheet or script would see it."""
import csv
import json
import sys

with open(sys.argv[1], newline="", encoding="utf-8") as handle:
    print(json.dumps(list(csv.reader(handle))))
