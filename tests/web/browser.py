"""Debian's headless Chromium under Selenium, as the web tests and the web
benchmark start it: nothing is downloaded, nothing reaches the network."""
from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start_browser(*extra_flags, logging=False):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 *extra_flags):
        options.add_argument(flag)
    if logging:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
