// The page's clock for the run: the session says when its next pass is due, and each animation frame runs
// the passes that fell due since the last one, then shows what changed, so the window is painted once per
// frame. A pass asked for "soon" (the fastest speed) waits for the next frame: the session sizes those
// passes to half a frame. Passes with a minimum time (the slower speeds) keep their own pace within a
// frame, up to the same half frame of computing.

const FRAME_BUDGET_MS = 8;
// Behind by more than this (a hidden tab, a long box), the run goes on from now rather than catching up.
const CATCH_UP_LIMIT_MS = 100;

class PassClock {
  private dueAt: number | null = null; // performance.now() of the next pass

  constructor(
    private readonly runPass: () => PassPlan,
    private readonly show: () => void,
  ) {
    const frame = (): void => {
      this.runDuePasses();
      this.show();
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  }

  plan(next: PassPlan): void {
    this.planFrom(performance.now(), next);
  }

  private planFrom(now: number, next: PassPlan): void {
    switch (next.due) {
      case 'unchanged':
        return;
      case 'soon':
        if (this.dueAt === null) this.dueAt = now;
        return;
      case 'after':
        this.dueAt = now + next.milliseconds;
        return;
      case 'never':
        this.dueAt = null;
        return;
    }
  }

  private runDuePasses(): void {
    const start = performance.now();
    if (this.dueAt !== null && start - this.dueAt > CATCH_UP_LIMIT_MS) this.dueAt = start;
    let nextFrame = false; // the pass due waits for the next frame
    while (this.dueAt !== null && this.dueAt <= start && !nextFrame) {
      const dueAt = this.dueAt;
      this.dueAt = null;
      const next = this.runPass();
      // A minimum time counts from when its pass was due, so that the years keep their pace between frames.
      this.planFrom(next.due === 'after' ? dueAt : performance.now(), next);
      nextFrame = next.due === 'soon' || performance.now() - start >= FRAME_BUDGET_MS;
    }
  }
}
