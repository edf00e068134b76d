// The window's controls wired to the live run: every input goes to the session, and what the session
// changed is shown once per animation frame. The page decides nothing about the run itself.

// The parameter fields, which take keys through the session's filter and commit on Enter or on leaving.
const PARAMETER_FIELDS = ['Popmeter', 'SPmeter', 'BImeter', 'BDmeter', 'ADmeter', 'IMmeter'];
const INCIDENT_BUTTONS = ['EpiButton', 'OneButton', 'ImmButton']; // incidents 1, 2, 3
const SCENARIO_COUNT = 7;
const AGE_GRAPH_BUTTONS = ['BirthButton', 'DeathButton', 'lifebutton'];
// The places whose mouse moves show the present again: the window itself and these controls, each only
// where none of its own controls lies under the mouse.
const RESTORING_PLACES = ['TForm1', 'Image1', 'Map', 'GroupBox2', 'GroupBox4', 'GroupBox6', 'PopButton',
  'BirthButton', 'DeathButton', 'lifebutton', 'Inbutton', 'Outbutton', 'Button1', 'Button2', 'StartButton'];

class LiveWindow {
  private readonly clock: PassClock;
  private readonly edited = new Set<string>(); // parameter fields the reader changed since the last commit
  private unsavedRun = false;
  private runState: RunShown['state'] = 'ready';

  constructor(
    private readonly session: PageSession,
    form: HTMLElement,
    private readonly messages: MessageBox,
    private readonly alarm: AlarmSound,
    private readonly texts: RunTexts,
  ) {
    this.clock = new PassClock(
      () => this.session.runPass(this.messages.open),
      () => this.show(),
    );
    this.wireRunControls();
    this.wireParameterFields();
    this.wireSaving();
    this.wireBrowsing(form);
    form.addEventListener('pointerdown', () => this.alarm.wake(), { capture: true });
    form.addEventListener('keydown', () => this.alarm.wake(), { capture: true });
    window.addEventListener('beforeunload', (event) => {
      if (!this.unsavedRun) return;
      event.preventDefault();
      event.returnValue = '';
    });
    this.watchDeviceRatio();
    this.clock.plan(this.session.startUp());
  }

  private wireRunControls(): void {
    byId('StartButton').addEventListener('click', () => this.clock.plan(this.session.pressStart()));
    byId('Newbutton').addEventListener('click', () => {
      this.clock.plan(this.session.newRun());
      byId('StartButton').focus();
    });
    for (let scenario = 1; scenario <= SCENARIO_COUNT; ++scenario) {
      byId(`RadioButton${scenario}`).addEventListener('change', () =>
        this.clock.plan(this.session.chooseScenario(scenario)),
      );
    }
    const speed = byId<HTMLInputElement>('TrackBar1');
    this.session.setSpeed(Number(speed.value));
    speed.addEventListener('input', () => this.session.setSpeed(Number(speed.value)));
    const stepMode = byId<HTMLInputElement>('CheckBox1');
    stepMode.addEventListener('change', () => {
      const next = this.session.setStepMode(stepMode.checked);
      byId('StartButton').focus();
      this.clock.plan(next);
    });
    const pauseAtAlarms = byId<HTMLInputElement>('CheckBox2');
    this.session.setPauseAtAlarms(pauseAtAlarms.checked);
    pauseAtAlarms.addEventListener('change', () => this.session.setPauseAtAlarms(pauseAtAlarms.checked));
    const sound = byId<HTMLInputElement>('CheckBox4');
    this.session.setSound(sound.checked);
    sound.addEventListener('change', () => this.session.setSound(sound.checked));
    INCIDENT_BUTTONS.forEach((id, i) =>
      byId(id).addEventListener('click', () => this.session.startIncident(i + 1)),
    );
  }

  private wireParameterFields(): void {
    for (const id of PARAMETER_FIELDS) {
      const field = byId<HTMLInputElement>(id);
      field.addEventListener('beforeinput', (event) => this.filterKey(field, event));
      field.addEventListener('input', () => this.edited.add(id));
      field.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter') return;
        // Taken here, so that the key does not go on to press the button of a box the commit opens.
        event.preventDefault();
        this.commit(field);
      });
      // Leaving commits an edit only: a text the program wrote, read back, must not change the run.
      field.addEventListener('blur', () => {
        if (this.edited.has(id)) this.commit(field);
      });
    }
  }

  // A typed character goes in as the session's key filter says: refused, or as the character it puts.
  private filterKey(field: HTMLInputElement, event: InputEvent): void {
    if (event.inputType !== 'insertText' || event.data === null) return;
    const typed = event.data.codePointAt(0);
    if (typed === undefined || event.data.length !== String.fromCodePoint(typed).length) return;
    const put = this.session.typedKey(field.id, typed, field.value);
    if (put === typed) return;
    event.preventDefault();
    if (put < 0) return;
    field.setRangeText(String.fromCodePoint(put), field.selectionStart ?? 0, field.selectionEnd ?? 0, 'end');
    field.dispatchEvent(new Event('input'));
  }

  private commit(field: HTMLInputElement): void {
    this.edited.delete(field.id);
    const error = this.session.commit(field.id, field.value);
    if (error) this.messages.show('Vartel', this.texts.translated('Correction', error));
    this.show();
  }

  private wireSaving(): void {
    byId('Button2').addEventListener('click', () => {
      download('Vartel.txt', new Blob([this.session.dataFile(today())], { type: 'text/plain' }));
      this.unsavedRun = false;
    });
    // The pictures: a running run pauses first, as in the window.
    const savePicture = (fileName: string, bytes: () => Uint8Array): void => {
      if (this.runState === 'running') this.clock.plan(this.session.pressStart());
      download(fileName, new Blob([bytes().slice()], { type: 'image/bmp' }));
    };
    byId('Button1').addEventListener('click', () => savePicture('Graph.bmp', () => this.session.graphBmp()));
    byId('Button3').addEventListener('click', () => savePicture('Pyramid.bmp', () => this.session.pyramidBmp()));
  }

  // The mouse and a finger on the graph browse the past as the window's mouse does; the keys browse while
  // the graph has the focus, which a click gives it.
  private wireBrowsing(form: HTMLElement): void {
    const graph = byId<HTMLCanvasElement>('Image2');
    graph.tabIndex = -1;
    graph.style.touchAction = 'none';
    const logical = (event: PointerEvent | MouseEvent): [number, number] => {
      const box = graph.getBoundingClientRect();
      return [
        Math.floor(((event.clientX - box.left) * graph.offsetWidth) / box.width),
        Math.floor(((event.clientY - box.top) * graph.offsetHeight) / box.height),
      ];
    };
    const move = (event: PointerEvent): void => {
      this.session.graphPointerMove(...logical(event));
      this.show();
    };
    graph.addEventListener('pointermove', move);
    graph.addEventListener('pointerdown', move);
    graph.addEventListener('click', (event) => {
      graph.focus();
      this.session.graphClick(...logical(event));
      this.show();
    });
    graph.addEventListener('keydown', (event) => {
      const other = event.ctrlKey || event.altKey || event.metaKey;
      if (!this.session.graphKeyDown(event.key, event.shiftKey, other)) return;
      event.preventDefault();
      this.show();
    });
    const restoring = new Set(RESTORING_PLACES);
    form.addEventListener('pointermove', (event) => {
      if (!(event.target instanceof HTMLElement) || !restoring.has(event.target.id)) return;
      this.session.showPresent();
      this.show();
    });
  }

  // Page zoom and a move to another screen change the device pixel ratio: the views are drawn anew at it.
  private watchDeviceRatio(): void {
    let ratio = window.devicePixelRatio;
    this.session.setDeviceRatio(ratio);
    window.addEventListener('resize', () => {
      if (window.devicePixelRatio === ratio) return;
      ratio = window.devicePixelRatio;
      this.session.setDeviceRatio(ratio);
    });
  }

  private show(): void {
    const changes = this.session.takeChanges();
    for (const [id, text] of Object.entries(changes.fields)) {
      const field = byId<HTMLInputElement>(id);
      if (field.value !== text) field.value = text;
      this.edited.delete(id);
      if (id === 'clock') this.unsavedRun = text !== '0';
    }
    if (changes.bulletin) this.showBulletin(changes.bulletin);
    if (changes.countdown) {
      const countdown = byId<HTMLInputElement>('Aftelklok');
      countdown.value = changes.countdown.text;
      countdown.style.color = changes.countdown.color;
    }
    if (changes.incidentsAvailable !== undefined) {
      for (const id of INCIDENT_BUTTONS) byId<HTMLButtonElement>(id).disabled = !changes.incidentsAvailable;
    }
    if (changes.run) {
      const start = byId('StartButton');
      start.textContent = this.texts.translated('StartButton', changes.run.caption);
      start.closest('.control')?.setAttribute('title', this.texts.translated('StartButton', changes.run.hint));
      this.runState = changes.run.state;
    }
    if (changes.ageGraphsAvailable !== undefined) {
      for (const id of AGE_GRAPH_BUTTONS) byId<HTMLButtonElement>(id).disabled = !changes.ageGraphsAvailable;
    }
    if (changes.instruction !== undefined)
      byId('Memo1').textContent = this.texts.translated('Instruction', changes.instruction);
    for (const correction of changes.corrections)
      this.messages.show(this.texts.translated('Correction', 'Invalid data'), this.texts.translated('Correction', correction));
    if (changes.sounds.length > 0) this.alarm.play();
    if (changes.graphChanged) paint(byId<HTMLCanvasElement>('Image2'), this.session.graphPixels());
    if (changes.pyramidChanged) paint(byId<HTMLCanvasElement>('Image1'), this.session.pyramidPixels());
    if (changes.finished) byId('Newbutton').focus();
  }

  private showBulletin(bulletin: Bulletin): void {
    const paper = byId<HTMLTextAreaElement>('Paper');
    const text = this.texts.translated('Bulletin', bulletin.text).replace(/\r\n/g, '\n');
    if (paper.value !== text) paper.value = text;
    paper.style.background = bulletin.background;
    paper.style.color = bulletin.color;
    if (bulletin.pointSize > 0) paper.style.fontSize = `${bulletin.pointSize}pt`;
  }
}

// A view's picture at the device's resolution on its canvas, which keeps the view's logical size.
function paint(canvas: HTMLCanvasElement, picture: Picture): void {
  if (canvas.width !== picture.width || canvas.height !== picture.height) {
    canvas.width = picture.width;
    canvas.height = picture.height;
  }
  const pixels = new Uint8ClampedArray(picture.data);
  canvas.getContext('2d')?.putImageData(new ImageData(pixels, picture.width, picture.height), 0, 0);
}
