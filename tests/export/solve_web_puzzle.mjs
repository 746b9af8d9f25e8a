// Solves an exported web puzzle in headless chromium as a student would, and fails (exit status
// 1, the reason on stderr) at the first thing that does not work.  With a mouse: a clue and a
// square select their words, a second click on the selected square turns the direction, half of
// the words typed, one wrong letter that Check marks and Backspace takes away.  A reload keeps
// the letters.  With the keyboard alone: Tab into the grid, each word typed and Tab to the next,
// until the page says the puzzle is solved.  The page must show no answer before, fetch nothing
// and raise no script error.
// usage: node solve_web_puzzle.mjs DRIVER_DIR CHROMIUM PAGE ANSWERS [SCREENSHOT_DIR]
// ANSWERS holds "across N WORD" and "down N WORD" lines.  With SCREENSHOT_DIR, the half-solved
// puzzle is photographed there on a desktop and on a phone-sized screen.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [driverDir, chromium, pageFile, answersFile, shotDir] = process.argv.slice(2);
const puppeteer = createRequire(join(driverDir, 'package.json'))('puppeteer-core');

const answers = new Map();
for (const line of readFileSync(answersFile, 'utf-8').split('\n')) {
    const [dir, number, word] = line.trim().split(' ');
    if (word) answers.set(`${dir} ${number}`, word);
}

function expect(fact, what) {
    if (!fact) throw new Error(what);
}

const browser = await puppeteer.launch({
    executablePath: chromium,
    // Tests run as root in CI, where chromium's sandbox cannot start.
    args: ['--no-sandbox', '--disable-dev-shm-usage'],
});
try {
    const page = await browser.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(`script error: ${error.message}`));
    page.on('request', (request) => {
        if (!request.url().startsWith('file:')) problems.push(`fetched ${request.url()}`);
    });
    page.on('dialog', (dialog) => dialog.accept());
    const desktop = { width: 1280, height: 900 };
    await page.setViewport(desktop);
    await page.goto(pathToFileURL(pageFile).href);

    // Neither the file nor the page the script made of it shows an answer.
    const sources = [readFileSync(pageFile, 'utf-8'), await page.content()];
    for (const answer of answers.values()) {
        expect(!sources.some((source) => source.includes(answer)), `the page shows the answer ${answer}`);
    }

    const width = await page.$eval('#puzzle', (main) => Number(main.dataset.width));
    const words = await page.$$eval('.clues li', (items) => items.map((li) => ({
        dir: li.dataset.dir,
        number: li.querySelector('.num').textContent,
        c: Number(li.dataset.c),
        r: Number(li.dataset.r),
        len: Number(li.dataset.len),
    })));
    expect(words.length === answers.size, `${words.length} clues on the page, ${answers.size} answers`);
    for (const word of words) {
        word.answer = answers.get(`${word.dir} ${word.number}`);
        expect(word.answer && [...word.answer].length === word.len, `no answer of length ${word.len} for ${word.dir} ${word.number}`);
        word.cells = Array.from({ length: word.len }, (_, k) => (word.r - 1 + (word.dir === 'down' ? k : 0)) * width
            + word.c - 1 + (word.dir === 'across' ? k : 0));
    }
    const selected = () => page.$eval('.sq.sel', (square) => Number(square.dataset.i));
    const currentClue = () => page.$eval('.clues li.current', (li) => `${li.dataset.dir} ${li.querySelector('.num').textContent}`);
    const letters = () => page.$$eval('.sq .l', (all) => all.map((l) => l.textContent).join('|'));
    const name = (word) => `${word.dir} ${word.number}`;

    // With the mouse: the first half of the words, each picked by its clue or its first square.
    const half = words.slice(0, Math.ceil(words.length / 2));
    for (const [k, word] of half.entries()) {
        if (k % 2 === 0) {
            await page.click(`.clues li[data-dir="${word.dir}"][data-c="${word.c}"][data-r="${word.r}"]`);
        } else {
            await page.click(`.sq[data-i="${word.cells[0]}"]`);
            if (await currentClue() !== name(word)) await page.click(`.sq[data-i="${word.cells[0]}"]`);
        }
        expect(await currentClue() === name(word), `clicking ${name(word)} selected ${await currentClue()}`);
        const from = word.cells.indexOf(await selected());
        expect(from >= 0, `the selected square is not in ${name(word)}`);
        await page.keyboard.type([...word.answer].slice(from).join(''));
    }
    // A second click on the selected square turns the direction.
    const acrossSquares = new Set(words.filter((word) => word.dir === 'across').flatMap((word) => word.cells));
    const crossing = words.find((word) => word.dir === 'down' && word.cells.some((i) => acrossSquares.has(i)));
    const crossed = `.sq[data-i="${crossing.cells.find((i) => acrossSquares.has(i))}"]`;
    await page.click(crossed);
    const before = await currentClue();
    await page.click(crossed);
    expect(before !== await currentClue() && [before, await currentClue()].includes(name(crossing)),
        `a second click stayed on ${before}`);

    // A wrong first letter in a word not typed yet.
    const later = words[half.length];
    await page.click(`.clues li[data-dir="${later.dir}"][data-c="${later.c}"][data-r="${later.r}"]`);
    const wrongSquare = await selected();
    const right = [...later.answer][later.cells.indexOf(wrongSquare)];
    await page.keyboard.type(right === 'Q' ? 'X' : 'Q');
    await page.click('#check');
    const marked = await page.$$eval('.sq.wrong', (all) => all.map((square) => Number(square.dataset.i)));
    expect(marked.length === 1 && marked[0] === wrongSquare, `Check marked ${JSON.stringify(marked)}, not ${wrongSquare}`);
    expect((await page.$eval('#status', (s) => s.textContent)).includes('1 wrong letter'), 'Check said nothing');

    if (shotDir) {
        await page.screenshot({ path: join(shotDir, 'web-puzzle-desktop.png'), fullPage: true });
        // A touch screen's viewport may reload the page, which forgets the marks.
        await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
        await page.tap(`.sq[data-i="${wrongSquare}"]`);
        await page.tap('#check');
        await page.screenshot({ path: join(shotDir, 'web-puzzle-phone.png'), fullPage: true });
        await page.setViewport(desktop);
    }
    // Backspace takes the wrong letter away; the right one replaces it.
    await page.click(`.sq[data-i="${wrongSquare}"]`);
    await page.keyboard.press('Backspace');
    expect(await page.$eval(`.sq[data-i="${wrongSquare}"] .l`, (l) => l.textContent) === '', 'Backspace left the letter');
    await page.keyboard.type(right);

    const typed = await letters();
    await page.reload();
    expect(await letters() === typed, 'the letters were lost on reload');

    // With the keyboard alone, from the top of the page.
    await page.evaluate(() => document.activeElement?.blur());
    for (let presses = 0; presses < 20 && !(await page.$eval('#typing', (input) => input === document.activeElement)); presses++) {
        await page.keyboard.press('Tab');
    }
    expect(await page.$eval('#typing', (input) => input === document.activeElement), 'Tab never reached the grid');
    for (const [k, word] of words.entries()) {
        if (k > 0) await page.keyboard.press('Tab');
        expect(await currentClue() === name(word), `Tab went to ${await currentClue()}, not ${name(word)}`);
        await page.keyboard.type([...word.answer].slice(word.cells.indexOf(await selected())).join(''));
    }
    const message = await page.$eval('#status', (s) => s.textContent);
    expect(message.includes('solved'), `no solved message but "${message}"`);
    expect(problems.length === 0, problems.join('\n'));
    console.log(`solved ${words.length} words`);
} catch (error) {
    console.error(`solve_web_puzzle: ${error.message}`);
    process.exitCode = 1;
} finally {
    await browser.close();
}
