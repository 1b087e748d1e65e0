package rectest;

/** A date whose time cannot be read: its getTime throws. */
public class UnreadableDate extends java.util.Date {
	public long getTime() {
		throw new IllegalStateException("no time");
	}
}
