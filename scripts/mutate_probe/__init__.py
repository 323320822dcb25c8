"""The fault-injection probe behind scripts/mutate.py."""
